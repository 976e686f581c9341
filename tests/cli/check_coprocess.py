"""hali batch as a co-process: a program keeps it open on pipes, writes one line, waits for that line's
answer, then writes the next. Each answer must come while the input stays open; every wait has a deadline.
    check_coprocess.py HALI [RUNNER...]"""
import queue
import subprocess
import sys
import threading
import time
import unittest

COMMAND = sys.argv[2:] + sys.argv[1:2]  # the runner, if any, before the program
# Starting a program under Wine takes seconds on a loaded machine; an answer that never comes takes forever.
DEADLINE_SECONDS = 120


class Lines:
    """A pipe's lines as they come, read by a thread of their own so that a wait for one has a deadline."""

    def __init__(self, stream):
        self.queue = queue.Queue()
        threading.Thread(target=self.read, args=(stream,), daemon=True).start()

    def read(self, stream):
        for line in iter(stream.readline, b""):
            self.queue.put(line.decode().rstrip("\r\n"))
        self.queue.put("(the pipe ended)")

    def next(self, deadline):
        try:
            return self.queue.get(timeout=max(0, deadline - time.monotonic()))
        except queue.Empty:
            raise AssertionError("no line within the deadline") from None


class CoProcess(unittest.TestCase):
    def test_each_line_answered_while_the_input_stays_open(self):
        # (text to write, the stream that answers, its line), one at a time; None writes or reads nothing.
        dialogue = [
            (None, "out", "line,quantity,value"),  # csv's header comes before any line
            ("convert,26\n", "out", "1,sg,1.02339"),
            ("convert,99\n", "err", "hali batch: line 2: temperature (field 2) 99: outside the range; accepts -2 to 40 "
                                    "degC"),
            ("# a comment\n", None, None),
            # a line written in two pieces is answered when it is whole
            ("density,35,", None, None),
            ("25,0\r\n", "out", "4,density,1023.343"),
            # a whole line is answered though the start of the next has come after it
            ("depth,10000,30\n", None, None),
            ("conv", "out", "5,depth,9712.65"),
            ("ert,26\n", "out", "6,sg,1.02339"),
        ]
        with subprocess.Popen(COMMAND + ["batch", "--format", "csv", "--jobs", "2"], stdin=subprocess.PIPE,
                              stdout=subprocess.PIPE, stderr=subprocess.PIPE) as process:
            try:
                lines = {"out": Lines(process.stdout), "err": Lines(process.stderr)}
                deadline = time.monotonic() + DEADLINE_SECONDS
                for written, stream, answer in dialogue:
                    if written is not None:
                        process.stdin.write(written.encode())
                        process.stdin.flush()
                    if stream is not None:
                        self.assertEqual(lines[stream].next(deadline), answer, "after %r" % written)
                process.stdin.close()
                self.assertEqual(process.wait(timeout=DEADLINE_SECONDS), 1)
            finally:
                if process.poll() is None:
                    process.kill()


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)

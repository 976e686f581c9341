"""hali batch as a co-process: a program keeps it open on pipes, writes one line, waits for that line's
answer, then writes the next. Each answer must come while the input stays open; every wait has a deadline.
    check_coprocess.py HALI [RUNNER...]"""
import os
import select
import subprocess
import sys
import time
import unittest

COMMAND = sys.argv[2:] + sys.argv[1:2]  # the runner, if any, before the program
# Starting a program under Wine takes seconds on a loaded machine; an answer that never comes takes forever.
DEADLINE_SECONDS = 120


class Pipe:
    """Lines read from a pipe as they come, with a deadline."""

    def __init__(self, stream):
        self.fd = stream.fileno()
        self.buffer = b""

    def line(self, deadline):
        while b"\n" not in self.buffer:
            left = deadline - time.monotonic()
            if left <= 0 or not select.select([self.fd], [], [], left)[0]:
                raise AssertionError("no line within the deadline; so far %r" % self.buffer)
            chunk = os.read(self.fd, 4096)
            if not chunk:
                raise AssertionError("the pipe ended; so far %r" % self.buffer)
            self.buffer += chunk
        line, _, self.buffer = self.buffer.partition(b"\n")
        return line.decode().rstrip("\r")


class CoProcess(unittest.TestCase):
    def run_dialogue(self, options, dialogue, exit_code):
        """dialogue: (text to write, the stream that answers, its line), one at a time; None writes or reads
        nothing."""
        with subprocess.Popen(COMMAND + ["batch"] + options, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                              stderr=subprocess.PIPE) as process:
            try:
                pipes = {"out": Pipe(process.stdout), "err": Pipe(process.stderr)}
                deadline = time.monotonic() + DEADLINE_SECONDS
                for written, stream, answer in dialogue:
                    if written is not None:
                        process.stdin.write(written.encode())
                        process.stdin.flush()
                    if stream is not None:
                        self.assertEqual(pipes[stream].line(deadline), answer, "after %r" % written)
                process.stdin.close()
                self.assertEqual(process.wait(timeout=DEADLINE_SECONDS), exit_code)
            finally:
                if process.poll() is None:
                    process.kill()

    def test_each_line_answered_while_the_input_stays_open(self):
        self.run_dialogue([], [
            ("convert,26\n", "out", "1 sg 1.02339"),
            ("nope\n", "err", "hali batch: line 2: unknown computation nope; accepts convert, sg, salinity sg, "
                              "salinity conductivity, density, ptemp, depth, refractive-index, salinity "
                              "refractive-index, refractometer, salinity refractometer, hydrometer, salinity "
                              "hydrometer, baume sg, baume degrees, salinity baume"),
            # a line written in two pieces is answered when it is whole
            ("density,35,", None, None),
            ("25,0\r\n", "out", "3 density 1023.343"),
            # a whole line is answered though the start of the next has come after it
            ("convert,26\n", None, None),
            ("conv", "out", "4 sg 1.02339"),
            ("ert,26\n", "out", "5 sg 1.02339"),
        ], 1)

    def test_csv_header_first_then_each_answer_on_two_threads(self):
        self.run_dialogue(["--format", "csv", "--jobs", "2"], [
            (None, "out", "line,quantity,value"),
            ("# a comment\n", None, None),
            ("depth,10000,30\n", "out", "2,depth,9712.65"),
            ("sg,35,25/25\n", "out", "3,sg,1.02637"),
        ], 0)


if __name__ == "__main__":
    unittest.main(argv=sys.argv[:1], verbosity=2)

"""The colour key of the two window backgrounds: pure yellow only outside the panel's outline, where it makes the
window see-through. Key colour inside the outline would be a hole in the panel; near-yellow pixels next to the key
(art smoothed against it) would stay visible as a yellow fringe around the window.
Usage: check_backgrounds.py BMP...; exit status 1 names every fault found."""
import sys
from PIL import Image

KEY = (255, 255, 0)


def faults(path):
    image = Image.open(path).convert("RGB")
    w, h = image.size
    px = image.load()
    key = {(x, y) for y in range(h) for x in range(w) if px[x, y] == KEY}
    found = [f"corner {c} is not the key colour" for c in [(0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)]
             if c not in key]
    # Key pixels joined to the border through key pixels lie outside the outline.
    outside = {p for p in key if p[0] in (0, w - 1) or p[1] in (0, h - 1)}
    stack = list(outside)
    while stack:
        x, y = stack.pop()
        for n in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
            if n in key and n not in outside:
                outside.add(n)
                stack.append(n)
    found += [f"key colour inside the outline at {p}" for p in sorted(key - outside)[:5]]
    edge = {n for (x, y) in key for n in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1))
            if 0 <= n[0] < w and 0 <= n[1] < h and n not in key}
    fringe = [n for n in sorted(edge) if px[n][0] >= 160 and px[n][1] >= 160 and px[n][2] <= 96]
    return found + [f"yellowish pixel {px[n]} next to the key at {n}" for n in fringe]


found = [f"{path}: {fault}" for path in sys.argv[1:] for fault in faults(path)[:10]]
print("\n".join(found))
sys.exit(1 if found else 0)

# Writes 0.6 s of a 440 Hz tone, 16-bit mono at 22050 Hz, through Python's own wave writer: a WAV
# as other programs' writers make it, for the sound tests' table of real encoder outputs.
import math
import sys
import wave

RATE = 22050
with wave.open(sys.argv[1], "wb") as out:
    out.setnchannels(1)
    out.setsampwidth(2)
    out.setframerate(RATE)
    out.writeframes(b"".join(int(12000 * math.sin(2 * math.pi * 440 * i / RATE)).to_bytes(2, "little", signed=True)
                             for i in range(int(0.6 * RATE))))

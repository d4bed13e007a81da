// Input as a platform gives it, converted to what the window's handlers take.
#pragma once

namespace quandrel {

// Device pixels to the window's mouse scale, clamped into the range of a float.
float ToMouseX(double pixels, double scale);
float ToMouseY(double pixels, double scale);

// The character code of a key press: `typed` is the character the key types (27 for Esc), or
// with Ctrl held the letter on the key; Ctrl with a letter gives its control code 1..26.
// -1 when the key types nothing a handler takes.
int KeyAscii(int typed, bool control);

}  // namespace quandrel

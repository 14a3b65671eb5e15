// The keyboard's stand-in for the A button: Space or Up held while a window of this process is in front.
#pragma once

// True while Space or Up is down and the foreground window is this process's, so that typing into
// another program never drives the car. Called on each poll of slot 0.
bool KeyboardAcceleratorHeld();

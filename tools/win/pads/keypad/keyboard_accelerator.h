// The keyboard's stand-in for the A button: Space or Up held while a window of this process is in front.
#pragma once

// True while Space or the Up arrow is down (GetAsyncKeyState) and the
// foreground window belongs to the calling process, so that typing into
// another program never drives the car. Called once per poll of slot 0.
bool KeyboardAcceleratorHeld();

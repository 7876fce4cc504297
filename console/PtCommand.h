#pragma once

// The application-wide "PT_COMMAND" message by which the pan/tilt pad hands
// its commands to the console: a Qt event type registered once per process.
int PtCommandEventType();

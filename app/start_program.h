#pragma once

// From the start of the process until the message loop takes over; returns 0 only if the
// loop ends without a close request.
int StartProgram();

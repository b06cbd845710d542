#pragma once

// Puts the notifier in the background like daemon(1, 1) (same working
// directory, standard streams left open), except that the starting process
// waits until the detached one reports how its start went and ends with that
// status: a notifier that could not own its name must not look started.
class BackgroundStart
{
public:
    // Returns in the detached process (or in the only one when forking
    // failed); the starting process ends inside.
    static void detach();

    // Ends the wait of the starting process with the given exit status.
    static void report(int status);
};

#pragma once

class QLockFile;

// Takes the lock within timeoutMs (0: tries once). QLockFile by itself waits for a holder
// that has ended but is not yet reaped, and for a file that a holder killed while writing it
// left empty; a holder that is alive keeps the file locked, so a lock file older than a
// moment that no process locks is removed.
bool takeLock(QLockFile &lock, int timeoutMs);

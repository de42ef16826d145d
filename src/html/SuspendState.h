#pragma once

// How a tag affects checking of what follows it.
enum class SuspendState {
    Checking = 0,
    Suspended = 100,    // until the closing tag of the suspending name
    TotalSuspend = 101, // for the rest of the document; later suspends no longer count
};

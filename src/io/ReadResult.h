#pragma once

// How reading a whole file ended.
enum class ReadResult {
    Ok,
    NotFound,   // no such file, or a folder on the way is missing
    NotRegular, // a folder, FIFO, device or socket: reading it could block or never end
    TooLarge,   // more bytes than the caller allows for this kind of file
    Failed,     // permission denied or an I/O error; the detail says which
};

#pragma once

// The table the artwork generator writes and the art library reads. Every entry is one blob of
// bytes; pictures and list strips are raw QImage pixel rows (32 bits a pixel, rows top to bottom,
// list images one below the other), so a lookup wraps the bytes without decoding anything.
namespace art::embedded {

enum class Kind {
    Bytes,   // a file as it is: JPEG, WAV, ICO
    Picture, // one RGB32 picture of width x height
    List,    // count RGB32 images of width x height, stored one after the other
    Icon,    // one ARGB32 (non-premultiplied) rendering of the program icon
};

struct Entry {
    const char* name;
    Kind kind;
    int width;
    int height;
    int count;
    const unsigned char* bytes;
    int size;
};

extern const Entry entries[];
extern const int entryCount;

} // namespace art::embedded

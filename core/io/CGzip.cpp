// SPDX-FileCopyrightText: 2026 Quorvex
// SPDX-License-Identifier: MIT
#include "CGzip.h"

#include <zlib.h>

bool CGzip::Unpack(std::string_view packed, std::string& out, size_t limit, std::string& error)
{
    z_stream stream{};
    // 16 + MAX_WBITS: a gzip header and trailer around the deflate data.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK) {
        error = "zlib could not start";
        return false;
    }
    out.clear();
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(packed.data()));
    stream.avail_in = static_cast<uInt>(packed.size());
    char buffer[65536];
    int result = Z_OK;
    while (result != Z_STREAM_END) {
        stream.next_out = reinterpret_cast<Bytef*>(buffer);
        stream.avail_out = sizeof(buffer);
        result = inflate(&stream, Z_NO_FLUSH);
        if (result != Z_OK && result != Z_STREAM_END) {
            error = "the packed data is damaged";
            break;
        }
        out.append(buffer, sizeof(buffer) - stream.avail_out);
        if (out.size() > limit) {
            error = "it unpacks to more than " + std::to_string(limit / (1024 * 1024)) + " MB";
            result = Z_DATA_ERROR;
            break;
        }
        if (result == Z_OK && stream.avail_in == 0 && stream.avail_out != 0) {
            error = "the packed data is cut off";
            result = Z_DATA_ERROR;
            break;
        }
    }
    inflateEnd(&stream);
    if (result != Z_STREAM_END)
        out.clear();
    return result == Z_STREAM_END;
}

#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace plivant {

class TcpClient;

// Every backslash-r-backslash-n of the text becomes CR LF; other escapes stay as they are.
std::string UnescapeDetails(std::string_view line);

// The details exchange on the details connection: connect to host:port, log in, ask for the
// item's full text, read seven lines, say goodbye and close. Returns the seventh line
// unescaped; empty when the server could not be reached. The whole exchange ends within
// `limit`. Throws ConversionError for a bad port text.
std::string FetchDetails(TcpClient& client, const std::string& host, const std::string& port,
                         const std::string& id, std::chrono::milliseconds limit);

}  // namespace plivant

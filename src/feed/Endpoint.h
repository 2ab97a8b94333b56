#pragma once

#include <netinet/in.h>

#include <optional>
#include <stdexcept>
#include <string>

namespace plivant {

// Raised for a port text that is neither a known service name nor a port number.
class ConversionError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A host that begins with a digit is a dotted IPv4 address; any other text is looked up by
// name and its first IPv4 address is used; an empty host means 0.0.0.0. Nothing comes back when
// the host gives no usable address.
std::optional<in_addr> ResolveHost(const std::string& host);

// A service name first, then a decimal number; an empty text is port 0. Host byte order.
// Throws ConversionError for anything else.
uint16_t ResolvePort(const std::string& port);

}  // namespace plivant

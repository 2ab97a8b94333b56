#pragma once

#include <stdexcept>
#include <string>

namespace skin {

// A skin that cannot be loaded. The message is shown to the user as it stands.
class SkinError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kWrongPasswordMessage = "Wrong password!";
inline constexpr const char* kFailedToReadMessage = "Failed to read skin file!";

}  // namespace skin

#pragma once

#include <stdexcept>

namespace skin {

// A misuse of the skin engine. The message is shown to the user as it stands.
class EngineError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

inline constexpr const char* kMustBeOnFormMessage = "Must be placed on a Form";
inline constexpr const char* kOneEnginePerFormMessage = "One form can only catch one TSkinEngine!";
inline constexpr const char* kBuiltInAtRunTimeMessage =
    "BuiltIn property only can be specified at design time!";

}  // namespace skin

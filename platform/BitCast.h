// The bits of one value read as another type of the same size, as C++20's
// std::bit_cast does; the browser build's standard library lacks that one.
#pragma once

#include <cstring>
#include <type_traits>

template <typename To, typename From>
To BitCast(const From& from)
{
    static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<To> &&
                  std::is_trivially_copyable_v<From>);
    To to;
    std::memcpy(&to, &from, sizeof to);
    return to;
}

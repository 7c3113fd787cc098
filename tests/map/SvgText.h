// Reading an SVG document back in the map's tests: how often a text occurs, and the data of
// its paths.
#pragma once

#include <string>

inline std::size_t Count(const std::string& text, const std::string& what)
{
    std::size_t n = 0;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// The data of every path element, one after the other.
inline std::string PathData(const std::string& svg)
{
    std::string d;
    for (std::size_t at = svg.find(" d=\""); at != std::string::npos; at = svg.find(" d=\"", at + 1))
        d += svg.substr(at + 4, svg.find('"', at + 4) - at - 4);
    return d;
}

// The document that the picture tests draw and change: an opaque mid-grey
// unit sphere about the origin, lit straight on from +z, without axes, seen
// orthographically from distance 10. Each test's document holds only the
// keys it relies on.
#pragma once

#include <map>
#include <string>

using Keys = std::map<std::string, std::string>;

inline Keys sphereKeys() {
    return {{"strain entry 1,1", "1"},       {"strain entry 2,2", "1"},
            {"strain entry 3,3", "1"},       {"saved strain entry 1,1", "1"},
            {"saved strain entry 2,2", "1"}, {"saved strain entry 3,3", "1"},
            {"red", "0.5"},                  {"green", "0.5"},
            {"blue", "0.5"},                 {"translucency", "1"},
            {"light z", "9"},                {"distance", "10"},
            {"perspective projection", "0"}, {"show axes", "0"}};
}

inline Keys with(Keys keys, const Keys& changes) {
    for (const auto& [key, value] : changes)
        keys[key] = value;
    return keys;
}

inline std::string documentText(const Keys& keys) {
    std::string text = "{";
    for (const auto& [key, value] : keys)
        text += "\"" + key + "\" = \"" + value + "\";";
    return text + "}";
}

// The text in the user's language for an English text of the program. The
// application installs its translator at start; until then, and for texts it
// does not know, the English text stands.
#pragma once

#include <functional>
#include <string>

std::string localizedString(const char* english);
void setLocalizer(std::function<std::string(const char* english)> localizer);

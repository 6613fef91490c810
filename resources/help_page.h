#pragma once

namespace volmere {

// The help web page, a whole HTML document in code page 936.
extern const char* const kHelpPageHtml;

}  // namespace volmere

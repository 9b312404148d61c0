// File dialog filters written the way the programs' common dialog took them
// ("Sizing Files(*.siz)|*.siz|All Files(*.*)|*.*"), turned into the form a Qt file dialog
// takes ("Sizing Files(*.siz);;All Files(*)"). The descriptions stay as written, except
// that "*.*" (every file) becomes "*", since many names on Linux have no dot.
#pragma once

#include <string>
#include <string_view>

namespace formkit {

std::string QtFileFilter(std::string_view filter);

}  // namespace formkit

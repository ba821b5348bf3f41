#pragma once

#include "model/locale_conventions.h"

#include <emscripten/val.h>

namespace payvanta::web {

// The locale conventions the page reads from the browser's language (web/locale.js): each
// convention it names replaces United States English's. A page that names none (null, for
// United States English) leaves them all; a currency pattern without its digits, or an
// empty decimal point, is not taken.
LocaleConventions localeConventionsOf(const emscripten::val& conventions);

} // namespace payvanta::web

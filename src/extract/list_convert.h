// Turning one list file into a directory of member files.
#pragma once

#include <string_view>

namespace bcd {

// Converts the list file `list_name` (as the directory search named it) of
// `source_dir`: checks its header, opens the archive it names and writes every
// record's member into the output directory named after the archive. Returns
// 0 when the list was read to its end and 1 when it was rejected or abandoned;
// each failure has been reported where it happened.
int convert_list_file(std::string_view source_dir, std::string_view list_name);

}  // namespace bcd

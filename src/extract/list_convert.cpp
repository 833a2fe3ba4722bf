#include "extract/list_convert.h"

#include <optional>
#include <string>

#include "common/messages.h"
#include "common/print.h"
#include "extract/archive_reader.h"
#include "extract/line_reader.h"
#include "extract/member_extract.h"
#include "extract/number_parse.h"
#include "extract/output_directory.h"
#include "path/path_split.h"
#include "platform/file.h"

namespace bcd {
namespace {

constexpr std::string_view kHeader = "[BinaryCombineData]\n";

std::string_view without_line_feed(std::string_view line) {
  if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
  return line;
}

// The name inside "[...]": the closing bracket is optional.
std::string_view entry_name(std::string_view name_line) {
  std::string_view name = without_line_feed(name_line).substr(1);
  if (!name.empty() && name.back() == ']') name.remove_suffix(1);
  return name;
}

// The archive's title as it stands after the backslash that joins it to the
// source directory: a leading dot of the archive name begins the tail.
std::string output_directory_name(std::string_view archive_name) {
  std::string joined(1, '\\');
  joined.append(archive_name);
  return path_title(joined);
}

// Reads the records one by one and extracts each; false when a record is
// invalid or its member cannot be written.
bool extract_records(LineReader& reader, LazyOutputDirectory& out_dir, ArchiveReader& archive) {
  std::string name_line, offset_line, size_line;
  while (reader.next(name_line)) {
    if (name_line.empty() || name_line[0] != '[') continue;
    if (!reader.next(offset_line) || !reader.next(size_line)) break;
    std::string file_name = path_tail(entry_name(name_line));
    std::optional<std::int32_t> offset = parse_count(offset_line);
    std::optional<std::int32_t> size = parse_count(size_line);
    if (!offset || !size) {
      print(msg::kInvalidEntry,
            {{shift_jis(out_dir.name()), shift_jis("\\"), shift_jis(file_name)}});
      return false;
    }
    print(msg::kMemberName, {shift_jis(file_name)});
    print(msg::kMemberSize, {*size});
    if (!extract_member(out_dir, file_name, *offset, *size, archive)) return false;
  }
  return true;
}

}  // namespace

int convert_list_file(std::string_view source_dir, std::string_view list_name) {
  std::optional<platform::InputFile> list =
      platform::InputFile::open(source_dir, native(list_name));
  if (!list) {
    print(msg::kOpenFailed, {{native(source_dir), native("\\"), native(list_name)}});
    return 1;
  }
  LineReader reader([&list](std::span<char> buffer) { return list->read(buffer); });
  std::string header, archive_line;
  if (!reader.next(header) || header != kHeader || !reader.next(archive_line)) {
    print(msg::kUnknownFormat, {native(list_name)});
    return 1;
  }
  std::string_view archive_name = without_line_feed(archive_line);
  std::optional<platform::InputFile> archive =
      platform::InputFile::open(source_dir, shift_jis(archive_name));
  if (!archive) {
    print(msg::kOpenFailed, {{native(source_dir), native("\\"), shift_jis(archive_name)}});
    return 1;
  }
  LazyOutputDirectory out_dir(output_directory_name(archive_name));
  print(msg::kDirectoryLine, {shift_jis(out_dir.name())});
  ArchiveReader archive_reader(*archive);
  return extract_records(reader, out_dir, archive_reader) ? 0 : 1;
}

}  // namespace bcd

#include "bits/cutting_file.h"

#include <fstream>
#include <string>
#include <system_error>
#include <vector>

#include "platform/dispatch.h"
#include "platform/paths.h"

namespace bits {

namespace {

constexpr char kInputName[] = "DECOUPE.TXT";
constexpr char kOutputExtension[] = ".DPC";

[[noreturn]] void Raise(int number) { throw platform::RuntimeError(number); }

struct Record {
  std::string a, b, c;
};

// The key of a line is everything before its first "*".
std::string KeyOf(const std::string& line) {
  const std::size_t star = line.find('*');
  if (star == std::string::npos) Raise(platform::err::InvalidCall);
  return line.substr(0, star);
}

// A;B*C: A before the first ";", B up to the first "*", C after it.
Record FieldsOf(const std::string& line) {
  const std::size_t semicolon = line.find(';');
  const std::size_t star = line.find('*');
  if (semicolon == std::string::npos || star == std::string::npos || star < semicolon) {
    Raise(platform::err::InvalidCall);
  }
  return {line.substr(0, semicolon), line.substr(semicolon + 1, star - semicolon - 1),
          line.substr(star + 1)};
}

std::vector<std::string> ReadLines(std::ifstream& in) {
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

void Compact_rs(platform::Variant& totnbpas, platform::Variant& szPath) {
  const std::filesystem::path input =
      platform::ResolveCaseInsensitive(std::filesystem::path(szPath.toString()) / kInputName);
  std::ifstream in(input, std::ios::binary);
  if (!in) Raise(platform::err::FileNotFound);
  // Beside the input, whatever dots the folder names hold.
  std::filesystem::path output = input;
  output.replace_extension(kOutputExtension);
  std::ofstream out(output, std::ios::binary | std::ios::trunc);
  if (!out) Raise(platform::err::PathFileAccessError);

  const std::vector<std::string> lines = ReadLines(in);
  if (lines.empty()) Raise(platform::err::InputPastEnd);
  totnbpas = std::int32_t{0};
  // The input is at its end once its last line has been read.
  std::size_t current = 0;
  const std::size_t last = lines.size() - 1;
  while (current != last) {
    std::int32_t count = 0;
    const std::string key = KeyOf(lines[current]);
    Record taken;
    // Both tests of the run are made on every pass, the key one first.
    while (KeyOf(lines[current]) == key && current != last) {
      taken = FieldsOf(lines[current]);
      ++current;
      ++count;
    }
    totnbpas = platform::Variant(totnbpas.toInt32() + count);
    out << count << '-' << taken.a << ';' << taken.b << '*' << taken.c << "\r\n";
  }
  out.close();
  if (!out) Raise(platform::err::DeviceIoError);
  in.close();
  std::error_code ignored;
  std::filesystem::remove(input, ignored);
}

}  // namespace bits

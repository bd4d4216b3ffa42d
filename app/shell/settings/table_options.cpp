#include "app/shell/settings/table_options.h"

#include <bit>
#include <cmath>
#include <limits>
#include <utility>

#include "data/atomic_file.h"

namespace table {
namespace {

class RecordWriter {
 public:
  void Bool(bool value) { Int16(value ? -1 : 0); }
  void Int16(std::int16_t value) { Bytes(static_cast<std::uint16_t>(value), 2); }
  void Int32(std::int32_t value) { Bytes(static_cast<std::uint32_t>(value), 4); }
  void Float(float value) { Bytes(std::bit_cast<std::uint32_t>(value), 4); }
  void Text(const std::string& text) { m_bytes.insert(m_bytes.end(), text.begin(), text.end()); }
  std::vector<std::uint8_t> Take() { return std::move(m_bytes); }

 private:
  void Bytes(std::uint32_t value, int count) {
    for (int i = 0; i < count; ++i) m_bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
  std::vector<std::uint8_t> m_bytes;
};

// Reads the fields one after the other. A field the bytes do not hold completely leaves its
// target alone and reports false, and so does every field after it.
class RecordReader {
 public:
  RecordReader(const std::uint8_t* bytes, std::size_t length) : m_bytes(bytes), m_length(length) {}

  bool Bool(bool& out) {
    std::int16_t value = 0;
    if (!Int16(value)) return false;
    out = value != 0;
    return true;
  }
  bool Int16(std::int16_t& out) {
    if (!Have(2)) return false;
    out = static_cast<std::int16_t>(Bytes(2));
    return true;
  }
  bool Int32(std::int32_t& out) {
    if (!Have(4)) return false;
    out = static_cast<std::int32_t>(Bytes(4));
    return true;
  }
  bool Float(float& out) {
    if (!Have(4)) return false;
    out = std::bit_cast<float>(Bytes(4));
    return true;
  }
  bool Text(std::string& out, std::size_t size) {
    if (!Have(size)) return false;
    out.assign(reinterpret_cast<const char*>(m_bytes + m_pos), size);
    m_pos += size;
    return true;
  }
  // Everything after this point is left alone.
  void Stop() { m_length = m_pos; }

 private:
  bool Have(std::size_t size) {
    if (m_length - m_pos >= size) return true;
    Stop();
    return false;
  }
  std::uint32_t Bytes(int count) {
    std::uint32_t value = 0;
    for (int i = 0; i < count; ++i)
      value |= static_cast<std::uint32_t>(m_bytes[m_pos++]) << (8 * i);
    return value;
  }

  const std::uint8_t* m_bytes;
  std::size_t m_length;
  std::size_t m_pos = 0;
};

bool FitsInt16(std::int32_t value) {
  return value >= std::numeric_limits<std::int16_t>::min() &&
         value <= std::numeric_limits<std::int16_t>::max();
}

void RaiseTo(float& size, float minimum) {
  if (!std::isfinite(size) || size < minimum) size = minimum;
}

// The element-type switch in the spare area, when the marker and a value of 0 or 1 are there.
std::optional<bool> DecodeElementTypeSwitch(const std::uint8_t* bytes, std::size_t length) {
  if (length < kSpareAreaOffset + 3) return std::nullopt;
  const std::uint8_t* spare = bytes + kSpareAreaOffset;
  if (spare[0] != kElementTypeMarker[0] || spare[1] != kElementTypeMarker[1] || spare[2] > 1)
    return std::nullopt;
  return spare[2] == 1;
}

}  // namespace

TableOptions DefaultTableOptions(std::int32_t tableBackColor, float designHeight,
                                 float designWidth) {
  TableOptions options;
  options.TableBackColor = tableBackColor;
  options.WindowHeight = designHeight;
  options.WindowWidth = designWidth;
  return options;
}

std::vector<std::uint8_t> EncodeTableOptions(const TableOptions& options) {
  RecordWriter out;
  out.Bool(options.SaveWindowPos);
  out.Float(options.WindowLeft);
  out.Float(options.WindowTop);
  out.Float(options.WindowHeight);
  out.Float(options.WindowWidth);
  if (options.WindowStateForm == IntegerForm::Int16 && FitsInt16(options.WindowState)) {
    out.Int16(static_cast<std::int16_t>(IntegerForm::Int16));
    out.Int16(static_cast<std::int16_t>(options.WindowState));
  } else {
    out.Int16(static_cast<std::int16_t>(IntegerForm::Int32));
    out.Int32(options.WindowState);
  }
  out.Bool(options.ViewerInvertColors);
  out.Bool(options.ViewerBlackAndWhite);
  out.Text(FitColorsData(options.ColorsData));
  out.Int32(options.TableBackColor);
  out.Int16(options.ShowToolbar);
  out.Int16(options.ShowStatusbar);
  std::vector<std::uint8_t> record = out.Take();
  if (options.DifferByElementType) {
    record.resize(kTableIniRecordLength, 0);
    record[kSpareAreaOffset] = kElementTypeMarker[0];
    record[kSpareAreaOffset + 1] = kElementTypeMarker[1];
    record[kSpareAreaOffset + 2] = *options.DifferByElementType ? 1 : 0;
  }
  return record;
}

bool DecodeTableOptions(const std::uint8_t* bytes, std::size_t length, TableOptions& options) {
  RecordReader in(bytes, length);
  bool complete = in.Bool(options.SaveWindowPos);
  complete = in.Float(options.WindowLeft) && complete;
  complete = in.Float(options.WindowTop) && complete;
  complete = in.Float(options.WindowHeight) && complete;
  complete = in.Float(options.WindowWidth) && complete;

  std::int16_t code = 0;
  bool stateRead = false;
  if (in.Int16(code)) {
    if (code == static_cast<std::int16_t>(IntegerForm::Int16)) {
      std::int16_t state = 0;
      stateRead = in.Int16(state);
      if (stateRead) {
        options.WindowState = state;
        options.WindowStateForm = IntegerForm::Int16;
      }
    } else if (code == static_cast<std::int16_t>(IntegerForm::Int32)) {
      std::int32_t state = 0;
      stateRead = in.Int32(state);
      if (stateRead) {
        options.WindowState = state;
        options.WindowStateForm = IntegerForm::Int32;
      }
    }
  }
  // Without a known form there is no telling where the fields after it start.
  if (!stateRead) in.Stop();
  complete = stateRead && complete;

  complete = in.Bool(options.ViewerInvertColors) && complete;
  complete = in.Bool(options.ViewerBlackAndWhite) && complete;
  complete = in.Text(options.ColorsData, kColorsDataLength) && complete;
  complete = in.Int32(options.TableBackColor) && complete;
  complete = in.Int16(options.ShowToolbar) && complete;
  complete = in.Int16(options.ShowStatusbar) && complete;
  if (const std::optional<bool> stored = DecodeElementTypeSwitch(bytes, length))
    options.DifferByElementType = stored;
  return complete;
}

void ApplyMinimumSize(TableOptions& options) {
  RaiseTo(options.WindowWidth, kMinimumWindowWidth);
  RaiseTo(options.WindowHeight, kMinimumWindowHeight);
}

std::string FitColorsData(const std::string& text) {
  std::string fitted = text.substr(0, kColorsDataLength);
  fitted.resize(kColorsDataLength, ' ');
  return fitted;
}

bool ReadTableIni(const std::string& path, TableOptions& options) {
  const std::vector<std::uint8_t> bytes = periodic::ReadFilePrefix(path, kTableIniRecordLength);
  if (bytes.empty()) return false;
  DecodeTableOptions(bytes.data(), bytes.size(), options);
  return true;
}

void WriteTableIni(const std::string& path, const TableOptions& options) {
  periodic::WriteFilePrefix(path, EncodeTableOptions(options));
}

}  // namespace table

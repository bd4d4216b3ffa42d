#pragma once

#include <stdexcept>
#include <string>

namespace periodic {

// A failure of a file or record operation. The message names the file, the record or byte
// offset, and the cause; code is the errno value where the system gave one, else 0.
class DataError : public std::runtime_error {
 public:
  explicit DataError(const std::string& message, int code = 0)
      : std::runtime_error(message), m_code(code) {}
  int code() const { return m_code; }

 private:
  int m_code;
};

}  // namespace periodic

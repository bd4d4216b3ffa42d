#include "data/element_data_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "data/builtin_records.h"
#include "data/data_error.h"
#include "file_size_limit.h"

namespace periodic {
namespace {

namespace fs = std::filesystem;

class ElementDataFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    m_dir = fs::temp_directory_path() /
            ("elements-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
             ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(m_dir);
    fs::create_directories(m_dir);
  }
  void TearDown() override { fs::remove_all(m_dir); }

  std::string Dir() const { return m_dir.string(); }
  std::string DataPath() const { return (m_dir / "Elements.dat").string(); }

  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string BuiltinBytes() {
    const auto& b = BuiltinRecordBytes();
    return {b.begin(), b.end()};
  }

  static std::string ErrorOf(const std::function<void()>& action) {
    try {
      action();
    } catch (const DataError& e) {
      return e.what();
    }
    return "no error";
  }

  fs::path m_dir;
};

TEST_F(ElementDataFileTest, CreatesMissingOrEmptyFileWithTheBuiltinBytes) {
  WriteBuiltinRecords(Dir());
  EXPECT_EQ(fs::file_size(DataPath()), 19800u);
  EXPECT_EQ(Contents(DataPath()), BuiltinBytes());

  WriteFile(DataPath(), "");
  WriteBuiltinRecords(Dir());
  EXPECT_EQ(Contents(DataPath()), BuiltinBytes());
}

TEST_F(ElementDataFileTest, LeavesAnyNonEmptyFileUntouched) {
  for (const std::string& existing : {std::string("x"), std::string(500, '\x7F')}) {
    WriteFile(DataPath(), existing);
    WriteBuiltinRecords(Dir());
    EXPECT_EQ(Contents(DataPath()), existing);
  }
}

TEST_F(ElementDataFileTest, DirectoryWithTrailingSeparatorStillWorks) {
  WriteBuiltinRecords(Dir() + "/");
  EXPECT_EQ(fs::file_size(DataPath()), 19800u);
  ElementDataFile file;
  file.Open(Dir() + "//Elements.dat");
  EXPECT_EQ(TrimRight(file.ReadElementRecord(1).Symbol), "H");
}

TEST_F(ElementDataFileTest, CreationFailuresNameTheFile) {
  EXPECT_EQ(ErrorOf([&] { WriteBuiltinRecords(Dir() + "/missing"); }),
            "cannot create file '" + Dir() + "/missing/Elements.dat': No such file or directory");
  fs::create_directory(DataPath());
  EXPECT_EQ(ErrorOf([&] { WriteBuiltinRecords(Dir()); }),
            "cannot create file '" + DataPath() + "': it is a directory");
}

// A write that fails part way (the file size limit stands in for a full disk) leaves no file
// that would pass for the data file, and the next attempt writes it whole.
TEST_F(ElementDataFileTest, FailedCreationLeavesNothingBehind) {
  {
    const FileSizeLimit limit(4096);
    try {
      WriteBuiltinRecords(Dir());
      FAIL() << "no error";
    } catch (const DataError& e) {
      EXPECT_EQ(std::string(e.what()), "cannot write file '" + DataPath() + "': File too large");
      EXPECT_EQ(e.code(), EFBIG);
    }
  }
  EXPECT_TRUE(fs::is_empty(m_dir));
  WriteBuiltinRecords(Dir());
  EXPECT_EQ(Contents(DataPath()), BuiltinBytes());
}

// A FIFO in place of the data file is refused at once instead of holding the program.
TEST_F(ElementDataFileTest, NonRegularFilesAreRefused) {
  ASSERT_EQ(::mkfifo(DataPath().c_str(), 0600), 0);
  const std::string cause = "'" + DataPath() + "': it is not a regular file";
  EXPECT_THROW(
      {
        try {
          WriteBuiltinRecords(Dir());
        } catch (const DataError& e) {
          EXPECT_EQ(std::string(e.what()), "cannot create file " + cause);
          throw;
        }
      },
      DataError);
  ElementDataFile file;
  try {
    file.Open(DataPath());
    FAIL() << "no error";
  } catch (const DataError& e) {
    EXPECT_EQ(std::string(e.what()), "cannot open file " + cause);
  }
  EXPECT_FALSE(file.IsOpen());
}

TEST_F(ElementDataFileTest, ReadsTellingRecords) {
  WriteBuiltinRecords(Dir());
  ElementDataFile file;
  file.Open(DataPath());
  const ElementRecord h = file.ReadElementRecord(1);
  EXPECT_EQ(h.Number, 1);
  EXPECT_EQ(h.Symbol, "H   ");
  EXPECT_EQ(h.Category, 2);
  EXPECT_EQ(h.Block, "s   ");
  EXPECT_EQ(TrimRight(h.NameRus), "Водород");
  const ElementRecord fe = file.ReadElementRecord(26);
  EXPECT_TRUE(fe.SideSubgroup);
  EXPECT_EQ(fe.Category, 33);
  const ElementRecord last = file.ReadElementRecord(110);
  EXPECT_EQ(last.Symbol, "    ");
  EXPECT_EQ(TrimRight(last.AtomicMass), "[   ]");
  // Reading out of order gives the same records.
  EXPECT_EQ(file.ReadElementRecord(26), fe);
}

TEST_F(ElementDataFileTest, RefusesBadNumbersShortFilesAndClosedFiles) {
  WriteFile(DataPath(), BuiltinBytes().substr(0, 180 * 3 + 17));
  ElementDataFile file;
  EXPECT_EQ(ErrorOf([&] { file.ReadElementRecord(1); }), "the element data file is not open");
  file.Open(DataPath());
  EXPECT_EQ(TrimRight(file.ReadElementRecord(3).Symbol), "Li");
  EXPECT_EQ(ErrorOf([&] { file.ReadElementRecord(4); }),
            "record 4 of file '" + DataPath() +
                "' lies beyond its end (the file has 557 bytes, the record needs bytes 540 to "
                "719)");
  EXPECT_EQ(ErrorOf([&] { file.ReadElementRecord(0); }), "element number 0 is outside 1..110");
  EXPECT_EQ(ErrorOf([&] { file.ReadElementRecord(111); }), "element number 111 is outside 1..110");
  // A failed read leaves the file usable.
  EXPECT_EQ(TrimRight(file.ReadElementRecord(2).Symbol), "He");
  file.Close();
  EXPECT_FALSE(file.IsOpen());
  EXPECT_EQ(ErrorOf([&] { file.ReadElementRecord(1); }), "the element data file is not open");
}

TEST_F(ElementDataFileTest, OpeningAMissingFileIsAClearError) {
  ElementDataFile file;
  EXPECT_EQ(ErrorOf([&] { file.Open(DataPath()); }),
            "cannot open file '" + DataPath() + "': No such file or directory");
  EXPECT_FALSE(file.IsOpen());
  fs::create_directory(DataPath());
  EXPECT_EQ(ErrorOf([&] { file.Open(DataPath()); }),
            "cannot open file '" + DataPath() + "': Is a directory");
  EXPECT_FALSE(file.IsOpen());
}

// A file of the right size whose records do not carry their own numbers is damaged: it is
// named by its first misplaced record, every record then comes from the built-in ones, and the
// file is left exactly as it was. A file whose records are all in place is read as it stands.
TEST_F(ElementDataFileTest, DamagedFilesAreReadFromTheBuiltinRecords) {
  const std::string builtin = BuiltinBytes();
  std::string garbage(builtin.size(), '\0');
  std::uint32_t state = 19;
  for (char& c : garbage) {
    state = state * 1664525u + 1013904223u;
    c = static_cast<char>(state >> 24);
  }
  garbage[2] = 1;  // even a first record that looks right does not make the file good
  std::string middle = builtin;
  middle[56 * 180 + 2] = 0;
  std::string swapped = builtin;
  std::swap_ranges(swapped.begin() + 180, swapped.begin() + 360, swapped.begin() + 360);
  std::string renamed = builtin;  // the data may be changed, as long as each record is in place
  renamed[3] = 'X';
  const struct {
    const char* name;
    std::string bytes;
    int firstMisplaced;
  } cases[] = {
      {"garbage", garbage, 2},
      {"zeros", std::string(builtin.size(), '\0'), 1},
      {"0xFF", std::string(builtin.size(), '\xFF'), 1},
      {"one bad record in the middle", middle, 57},
      {"two records swapped", swapped, 2},
      {"the built-in records", builtin, 0},
      {"records in place, one changed", renamed, 0},
      {"a short file of good records", builtin.substr(0, 180 * 20), 0},
      {"a short file of zeros", std::string(180 * 20 + 17, '\0'), 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(DataPath(), c.bytes);
    ElementDataFile file;
    file.Open(DataPath());
    EXPECT_EQ(file.FirstMisplacedRecord(), c.firstMisplaced);
    EXPECT_EQ(file.ReadsBuiltinRecords(), c.firstMisplaced != 0);
    EXPECT_EQ(file.Path(), DataPath());
    if (c.firstMisplaced != 0) {
      for (int n : {1, 26, 57, 110}) EXPECT_EQ(file.ReadElementRecord(n), BuiltinRecords()[n - 1]);
    } else {
      // Read from the file itself: the changed symbol shows.
      EXPECT_EQ(TrimRight(file.ReadElementRecord(1).Symbol), c.bytes[3] == 'X' ? "X" : "H");
    }
    EXPECT_EQ(Contents(DataPath()), c.bytes);
    file.Close();
    EXPECT_EQ(file.FirstMisplacedRecord(), 0);
  }
}

}  // namespace
}  // namespace periodic

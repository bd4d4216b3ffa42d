#include "component/settings_file.h"

#include <gtest/gtest.h>

#include "temp_folder_test.h"

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "data/data_error.h"

namespace periodic {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// Every field differs from its default, so a field that falls back to the default shows.
DisplayOptions NonDefault() {
  DisplayOptions o;
  o.LongPeriods = true;
  o.ShowAtomicMass = false;
  o.ShowElementsName = false;
  o.LatInsteadOfRus = true;
  o.DifferSPDF = false;
  o.DifferMetalsNonmetals = false;
  o.InvertColors = true;
  o.ShowHighestOxidesTable = false;
  o.MoveOutInertGases = true;
  o.ZoomVal = 150;
  o.Reserved = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  o.OpenViewerOnDblClick = false;
  return o;
}

DisplayOptions AllFlagsFalse(std::int32_t zoom, bool viewerOnDblClick) {
  DisplayOptions o;
  o.LongPeriods = o.ShowAtomicMass = o.ShowElementsName = o.LatInsteadOfRus = false;
  o.DifferSPDF = o.DifferMetalsNonmetals = o.InvertColors = false;
  o.ShowHighestOxidesTable = o.MoveOutInertGases = false;
  o.ZoomVal = zoom;
  o.OpenViewerOnDblClick = viewerOnDblClick;
  return o;
}

class SettingsFileTest : public TempFolderTest {
 protected:
  std::string Cfg() const { return PathOf("Table.cfg"); }
};

TEST_F(SettingsFileTest, ZoomAndAllFlagsFalseGiveTheDocumentedBytes) {
  struct Case {
    bool viewerOnDblClick;
    std::uint8_t viewerByte;
  };
  for (const Case c : {Case{true, 0xFF}, Case{false, 0x00}}) {
    SCOPED_TRACE(c.viewerOnDblClick);
    WriteOptionsFile(Cfg(), AllFlagsFalse(150, c.viewerOnDblClick));
    Bytes expected(34, 0);
    expected[18] = 150;
    expected[32] = expected[33] = c.viewerByte;
    EXPECT_EQ(Contents(Cfg()), expected);
  }
}

TEST_F(SettingsFileTest, EachFlagHasItsOwnTwoBytes) {
  struct Case {
    bool DisplayOptions::*flag;
    std::size_t offset;
  };
  const Case cases[] = {
      {&DisplayOptions::LongPeriods, 0},        {&DisplayOptions::ShowAtomicMass, 2},
      {&DisplayOptions::ShowElementsName, 4},   {&DisplayOptions::LatInsteadOfRus, 6},
      {&DisplayOptions::DifferSPDF, 8},         {&DisplayOptions::DifferMetalsNonmetals, 10},
      {&DisplayOptions::InvertColors, 12},      {&DisplayOptions::ShowHighestOxidesTable, 14},
      {&DisplayOptions::MoveOutInertGases, 16}, {&DisplayOptions::OpenViewerOnDblClick, 32},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.offset);
    DisplayOptions o = AllFlagsFalse(0, false);
    o.*c.flag = true;
    const auto bytes = EncodeSettings(o);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const bool inField = i == c.offset || i == c.offset + 1;
      EXPECT_EQ(bytes[i], inField ? 0xFF : 0x00) << "byte " << i;
    }
    DisplayOptions back = NonDefault();
    DecodeSettings(bytes.data(), bytes.size(), back);
    EXPECT_EQ(back, o);
  }
}

TEST_F(SettingsFileTest, ZoomIsLittleEndianAndSigned) {
  for (const std::int32_t zoom : {0x01020304, -2, 349}) {
    SCOPED_TRACE(zoom);
    DisplayOptions o;
    o.ZoomVal = zoom;
    const auto bytes = EncodeSettings(o);
    const auto u = static_cast<std::uint32_t>(zoom);
    EXPECT_EQ(bytes[18], u & 0xFF);
    EXPECT_EQ(bytes[19], (u >> 8) & 0xFF);
    EXPECT_EQ(bytes[20], (u >> 16) & 0xFF);
    EXPECT_EQ(bytes[21], u >> 24);
    DisplayOptions back;
    DecodeSettings(bytes.data(), bytes.size(), back);
    EXPECT_EQ(back.ZoomVal, zoom);
  }
}

TEST_F(SettingsFileTest, AnyNonZeroBooleanReadsAsTrue) {
  struct Case {
    std::uint8_t lo, hi;
    bool expected;
  };
  for (const Case c : {Case{0, 0, false}, Case{1, 0, true}, Case{0, 0x80, true},
                       Case{0xFF, 0xFF, true}, Case{0x01, 0x00, true}}) {
    SCOPED_TRACE(testing::Message() << int(c.lo) << "," << int(c.hi));
    auto bytes = EncodeSettings(NonDefault());
    bytes[6] = c.lo;
    bytes[7] = c.hi;
    bytes[32] = c.lo;
    bytes[33] = c.hi;
    DisplayOptions o;
    DecodeSettings(bytes.data(), bytes.size(), o);
    EXPECT_EQ(o.LatInsteadOfRus, c.expected);
    EXPECT_EQ(o.OpenViewerOnDblClick, c.expected);
  }
}

TEST_F(SettingsFileTest, WriteThenReadRestoresEverything) {
  const DisplayOptions written = NonDefault();
  WriteOptionsFile(Cfg(), written);
  EXPECT_EQ(fs::file_size(Cfg()), 34u);
  DisplayOptions read;
  ReadOptionsFile(Cfg(), read);
  EXPECT_EQ(read, written);
}

// A missing file reads as an empty one and is not made: a first start leaves no empty settings
// file behind.
TEST_F(SettingsFileTest, MissingFileGivesDefaultsAndIsNotCreated) {
  DisplayOptions o = NonDefault();
  ReadOptionsFile(Cfg(), o);
  DisplayOptions expected;
  expected.Reserved = NonDefault().Reserved;  // left as they were
  EXPECT_EQ(o, expected);
  EXPECT_FALSE(fs::exists(Cfg()));

  // An empty file reads the same and stays empty.
  std::ofstream(Cfg()).close();
  o = NonDefault();
  ReadOptionsFile(Cfg(), o);
  EXPECT_EQ(o, expected);
  EXPECT_EQ(fs::file_size(Cfg()), 0u);
}

// A short file: the fields it holds completely come from it, the others are the defaults,
// the reserved bytes it does not reach keep what the options held.
TEST_F(SettingsFileTest, ShortFileReadsTheCompleteFieldsOnly) {
  DisplayOptions fromFile = NonDefault();
  fromFile.Reserved = {11, 12, 13, 14, 15, 16, 17, 18, 19, 20};
  const auto full = EncodeSettings(fromFile);
  const DisplayOptions held = [] {
    DisplayOptions o = NonDefault();
    o.Reserved = {91, 92, 93, 94, 95, 96, 97, 98, 99, 100};
    return o;
  }();

  struct Case {
    std::size_t length;
    int flagsRead;
    bool zoomRead;
    std::size_t reservedRead;
    bool viewerRead;
  };
  const Case cases[] = {
      {1, 0, false, 0, false},  {2, 1, false, 0, false},  {10, 5, false, 0, false},
      {17, 8, false, 0, false}, {18, 9, false, 0, false}, {21, 9, false, 0, false},
      {22, 9, true, 0, false},  {25, 9, true, 3, false},  {32, 9, true, 10, false},
      {33, 9, true, 10, false},
  };
  bool DisplayOptions::*const flags[] = {
      &DisplayOptions::LongPeriods,       &DisplayOptions::ShowAtomicMass,
      &DisplayOptions::ShowElementsName,  &DisplayOptions::LatInsteadOfRus,
      &DisplayOptions::DifferSPDF,        &DisplayOptions::DifferMetalsNonmetals,
      &DisplayOptions::InvertColors,      &DisplayOptions::ShowHighestOxidesTable,
      &DisplayOptions::MoveOutInertGases,
  };
  const DisplayOptions defaults;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.length);
    WriteFile(Cfg(), Bytes(full.begin(), full.begin() + c.length));
    DisplayOptions expected = defaults;
    for (int i = 0; i < c.flagsRead; ++i) expected.*flags[i] = fromFile.*flags[i];
    expected.ZoomVal = c.zoomRead ? fromFile.ZoomVal : defaults.ZoomVal;
    for (std::size_t i = 0; i < 10; ++i)
      expected.Reserved[i] = i < c.reservedRead ? fromFile.Reserved[i] : held.Reserved[i];
    expected.OpenViewerOnDblClick =
        c.viewerRead ? fromFile.OpenViewerOnDblClick : defaults.OpenViewerOnDblClick;

    DisplayOptions o = held;
    ReadOptionsFile(Cfg(), o);
    EXPECT_EQ(o, expected);
    EXPECT_EQ(fs::file_size(Cfg()), c.length);
  }
}

TEST_F(SettingsFileTest, WritingKeepsTheBytesAfterTheRecord) {
  Bytes old(40, 0xAA);
  old[39] = 0x55;
  WriteFile(Cfg(), old);
  WriteOptionsFile(Cfg(), NonDefault());

  const auto record = EncodeSettings(NonDefault());
  Bytes expected = old;
  std::copy(record.begin(), record.end(), expected.begin());
  EXPECT_EQ(Contents(Cfg()), expected);

  DisplayOptions read;
  ReadOptionsFile(Cfg(), read);
  EXPECT_EQ(read, NonDefault());
}

TEST_F(SettingsFileTest, WritingAShortFileReplacesItWithTheRecord) {
  WriteFile(Cfg(), Bytes(10, 0xAA));
  WriteOptionsFile(Cfg(), NonDefault());
  const auto record = EncodeSettings(NonDefault());
  EXPECT_EQ(Contents(Cfg()), Bytes(record.begin(), record.end()));
  EXPECT_EQ(Entries(), std::vector<std::string>{"Table.cfg"});
}

TEST_F(SettingsFileTest, ReservedBytesTravelUnchanged) {
  auto bytes = EncodeSettings(DisplayOptions{});
  const Bytes reserved = {0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x01, 0x7F, 0x80, 0xFE, 0xFF};
  std::copy(reserved.begin(), reserved.end(), bytes.begin() + 22);
  WriteFile(PathOf("old.cfg"), Bytes(bytes.begin(), bytes.end()));

  DisplayOptions o;
  ReadOptionsFile(PathOf("old.cfg"), o);
  o.LongPeriods = true;
  WriteOptionsFile(PathOf("new.cfg"), o);

  const Bytes written = Contents(PathOf("new.cfg"));
  ASSERT_EQ(written.size(), 34u);
  EXPECT_EQ(Bytes(written.begin() + 22, written.begin() + 32), reserved);
  EXPECT_EQ(written[0], 0xFF);
}

TEST_F(SettingsFileTest, WriteIntoMissingFolderThrowsAndLeavesNothing) {
  const std::string path = PathOf("missing") + "/Table.cfg";
  try {
    WriteOptionsFile(path, NonDefault());
    FAIL() << "no error";
  } catch (const DataError& e) {
    EXPECT_EQ(std::string(e.what()), "cannot write file '" + path + "': No such file or directory");
    EXPECT_EQ(e.code(), ENOENT);
  }
  EXPECT_FALSE(fs::exists(PathOf("missing")));
  EXPECT_TRUE(Entries().empty());
}

// A write that fails half way (here: the file size limit stops it after 20 bytes) leaves the
// old file exactly as it was and no temporary file behind.
TEST_F(SettingsFileTest, FailedWriteKeepsTheOldFile) {
  const Bytes old(40, 0xAA);
  WriteFile(Cfg(), old);

  struct rlimit saved {};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  struct rlimit small = saved;
  small.rlim_cur = 20;
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  std::string message = "no error";
  int code = 0;
  try {
    WriteOptionsFile(Cfg(), NonDefault());
  } catch (const DataError& e) {
    message = e.what();
    code = e.code();
  }
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_EQ(message, "cannot write file '" + Cfg() + "': File too large");
  EXPECT_EQ(code, EFBIG);
  EXPECT_EQ(Contents(Cfg()), old);
  EXPECT_EQ(Entries(), std::vector<std::string>{"Table.cfg"});
}

TEST_F(SettingsFileTest, FailuresNameTheFileAndLeaveOptionsAndFolderAlone) {
  fs::create_directory(PathOf("Table.cfg"));

  DisplayOptions o = NonDefault();
  try {
    ReadOptionsFile(Cfg(), o);
    FAIL() << "no error";
  } catch (const DataError& e) {
    EXPECT_EQ(std::string(e.what()), "cannot open file '" + Cfg() + "': Is a directory");
    EXPECT_EQ(e.code(), EISDIR);
  }
  EXPECT_EQ(o, NonDefault());

  try {
    WriteOptionsFile(Cfg(), o);
    FAIL() << "no error";
  } catch (const DataError& e) {
    EXPECT_EQ(std::string(e.what()), "cannot write file '" + Cfg() + "': Is a directory");
    EXPECT_EQ(e.code(), EISDIR);
  }
  EXPECT_EQ(Entries(), std::vector<std::string>{"Table.cfg"});
  EXPECT_TRUE(fs::is_directory(Cfg()));
}

TEST_F(SettingsFileTest, ReplacingKeepsPermissionsAndSymbolicLinks) {
  WriteFile(PathOf("real.cfg"), Bytes(34, 0));
  fs::permissions(PathOf("real.cfg"),
                  fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  fs::create_symlink("real.cfg", Cfg());

  WriteOptionsFile(Cfg(), NonDefault());

  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(Cfg())));
  const auto record = EncodeSettings(NonDefault());
  EXPECT_EQ(Contents(PathOf("real.cfg")), Bytes(record.begin(), record.end()));
  struct stat info {};
  ASSERT_EQ(::stat(PathOf("real.cfg").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0640u);
  EXPECT_EQ(Entries().size(), 2u);
}

}  // namespace
}  // namespace periodic

namespace periodic {
namespace {

// What stands at the settings path decides whether a save may replace it: a link to a device
// means "do not keep", a FIFO is refused without waiting on it, a read-only file stays as it is.
TEST_F(SettingsFileTest, OnlyWritableRegularFilesAreReplaced) {
  struct Case {
    const char* name;
    std::function<void(const std::string&)> make;
    const char* writeError;  // nullptr: the write succeeds
    const char* readError;   // nullptr: the read gives the defaults
  };
  const Case cases[] = {
      {"link to /dev/null", [](const std::string& p) { fs::create_symlink("/dev/null", p); },
       nullptr, nullptr},
      {"FIFO", [](const std::string& p) { ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0); },
       "it is not a regular file", "it is not a regular file"},
      {"read-only file",
       [](const std::string& p) {
         WriteFile(p, Bytes(40, 0xAA));
         fs::permissions(p, fs::perms::owner_read | fs::perms::group_read);
       },
       "the file is read-only", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove(Cfg());
    c.make(Cfg());
    struct stat before {};
    ASSERT_EQ(::stat(Cfg().c_str(), &before), 0);
    const Bytes contents = S_ISREG(before.st_mode) ? Contents(Cfg()) : Bytes();

    std::string writeMessage = "no error";
    try {
      WriteOptionsFile(Cfg(), NonDefault());
    } catch (const DataError& e) {
      writeMessage = e.what();
    }
    EXPECT_EQ(writeMessage, c.writeError ? "cannot write file '" + Cfg() + "': " + c.writeError
                                         : std::string("no error"));
    DisplayOptions read = NonDefault();
    std::string readMessage = "no error";
    try {
      ReadOptionsFile(Cfg(), read);
    } catch (const DataError& e) {
      readMessage = e.what();
    }
    EXPECT_EQ(readMessage, c.readError ? "cannot open file '" + Cfg() + "': " + c.readError
                                       : std::string("no error"));

    struct stat after {};
    ASSERT_EQ(::stat(Cfg().c_str(), &after), 0);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(after.st_mode, before.st_mode);
    if (S_ISREG(before.st_mode)) {
      EXPECT_EQ(Contents(Cfg()), contents);
    }
    EXPECT_EQ(Entries(), std::vector<std::string>{"Table.cfg"});
  }
}

// In a folder that takes no new files around a settings file that may be written (a shared
// program folder), the record is written into the file itself, the bytes after it kept.
TEST_F(SettingsFileTest, UnwritableFolderWithWritableFileIsWrittenInPlace) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  Bytes old(50, 0xAA);
  WriteFile(Cfg(), old);
  fs::permissions(Cfg(), fs::perms::all & ~fs::perms::owner_exec & ~fs::perms::group_exec &
                             ~fs::perms::others_exec);
  fs::permissions(m_dir, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                             fs::perms::others_read | fs::perms::others_exec);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // As nobody: the folder is not ours, the file is writable by all.
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(3);
    try {
      WriteOptionsFile(Cfg(), NonDefault());
    } catch (const DataError&) {
      ::_exit(1);
    }
    ::_exit(0);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  const auto record = EncodeSettings(NonDefault());
  Bytes expected = old;
  std::copy(record.begin(), record.end(), expected.begin());
  EXPECT_EQ(Contents(Cfg()), expected);
  EXPECT_EQ(Entries(), std::vector<std::string>{"Table.cfg"});
}

}  // namespace
}  // namespace periodic

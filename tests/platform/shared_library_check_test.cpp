#include "platform/shared_library_check.h"

#include <elf.h>

#include <cerrno>
#include <cstring>
#include <functional>
#include <random>

#include "temp_folder_test.h"

namespace {

using periodic::CheckSharedLibraryBytes;
using periodic::CheckSharedLibraryFile;
using periodic::LibraryFileProblem;
using Bytes = std::vector<std::uint8_t>;

Bytes ReadWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

Elf64_Ehdr& Header(Bytes& b) {
  return *reinterpret_cast<Elf64_Ehdr*>(b.data());
}

// The first loadable segment's program header.
Elf64_Phdr& FirstLoad(Bytes& b) {
  auto* segments = reinterpret_cast<Elf64_Phdr*>(b.data() + Header(b).e_phoff);
  for (int i = 0; i < Header(b).e_phnum; ++i) {
    if (segments[i].p_type == PT_LOAD) return segments[i];
  }
  ADD_FAILURE() << "no loadable segment";
  return segments[0];
}

// The largest segment ends furthest into the file, past the headers: a library without its
// section header table, cut in the middle of it, has whole headers and a segment cut short.
Bytes CutInsideLastSegment(Bytes b) {
  Header(b).e_shnum = 0;
  Header(b).e_shoff = 0;
  std::uint64_t end = 0;
  auto* segments = reinterpret_cast<Elf64_Phdr*>(b.data() + Header(b).e_phoff);
  for (int i = 0; i < Header(b).e_phnum; ++i)
    end = std::max<std::uint64_t>(end, segments[i].p_offset + segments[i].p_filesz);
  b.resize(end - 1);
  return b;
}

Bytes Cut(Bytes b, std::size_t size) {
  b.resize(std::min(size, b.size()));
  return b;
}

struct ByteCase {
  const char* name;
  std::function<Bytes()> make;
  LibraryFileProblem expected;
};

// Both libraries the program loads, whole, cut short, garbled and patched: only the whole ones
// pass, and each fault gets its own answer.
TEST(SharedLibraryCheck, TellsEachFaultOfTheBuiltLibraries) {
  const Bytes vexel = ReadWhole(VEXEL_LIBRARY);
  const Bytes help = ReadWhole(HELP_LIBRARY);
  ASSERT_GT(vexel.size(), 4096u);
  ASSERT_GT(help.size(), 4096u);
  std::mt19937 random(19);
  Bytes garbage(vexel.size());
  for (auto& b : garbage) b = static_cast<std::uint8_t>(random());
  const auto patched = [&vexel](const std::function<void(Bytes&)>& patch) {
    return [&vexel, patch] {
      Bytes b = vexel;
      patch(b);
      return b;
    };
  };
  const ByteCase cases[] = {
      {"Vexel whole", [&] { return vexel; }, LibraryFileProblem::kNone},
      {"help whole", [&] { return help; }, LibraryFileProblem::kNone},
      {"Vexel less its last byte", [&] { return Cut(vexel, vexel.size() - 1); },
       LibraryFileProblem::kHeadersOutside},
      {"help cut in half", [&] { return Cut(help, help.size() / 2); },
       LibraryFileProblem::kHeadersOutside},
      {"Vexel cut to a page", [&] { return Cut(vexel, 4096); },
       LibraryFileProblem::kHeadersOutside},
      {"the ELF header alone", [&] { return Cut(vexel, sizeof(Elf64_Ehdr)); },
       LibraryFileProblem::kHeadersOutside},
      {"the ELF header less a byte", [&] { return Cut(vexel, sizeof(Elf64_Ehdr) - 1); },
       LibraryFileProblem::kHeadersOutside},
      {"the magic alone", [&] { return Cut(vexel, 4); }, LibraryFileProblem::kNotElf},
      {"empty", [] { return Bytes(); }, LibraryFileProblem::kNotElf},
      {"Vexel cut inside a segment", [&] { return CutInsideLastSegment(vexel); },
       LibraryFileProblem::kSegmentOutside},
      {"help cut inside a segment", [&] { return CutInsideLastSegment(help); },
       LibraryFileProblem::kSegmentOutside},
      {"garbage", [&] { return garbage; }, LibraryFileProblem::kNotElf},
      {"zeros", [&] { return Bytes(vexel.size(), 0x00); }, LibraryFileProblem::kNotElf},
      {"0xFF", [&] { return Bytes(vexel.size(), 0xFF); }, LibraryFileProblem::kNotElf},
      {"text", [] { return Bytes{'n', 'o', 't', ' ', 'a', ' ', 'l', 'i', 'b'}; },
       LibraryFileProblem::kNotElf},
      {"32-bit", patched([](Bytes& b) { b[EI_CLASS] = ELFCLASS32; }),
       LibraryFileProblem::kWrongClass},
      {"big-endian", patched([](Bytes& b) { b[EI_DATA] = ELFDATA2MSB; }),
       LibraryFileProblem::kWrongClass},
      {"a program", patched([](Bytes& b) { Header(b).e_type = ET_EXEC; }),
       LibraryFileProblem::kNotSharedObject},
      {"an object file", patched([](Bytes& b) { Header(b).e_type = ET_REL; }),
       LibraryFileProblem::kNotSharedObject},
      {"another processor", patched([](Bytes& b) { Header(b).e_machine = EM_386; }),
       LibraryFileProblem::kWrongMachine},
      {"program headers past the end",
       patched([](Bytes& b) { Header(b).e_phoff = 0xFFFFFFFFFFFFFFF0u; }),
       LibraryFileProblem::kHeadersOutside},
      {"program headers of another size", patched([](Bytes& b) { Header(b).e_phentsize = 32; }),
       LibraryFileProblem::kHeadersOutside},
      {"no program headers", patched([](Bytes& b) { Header(b).e_phnum = 0; }),
       LibraryFileProblem::kHeadersOutside},
      {"section headers past the end", patched([](Bytes& b) { Header(b).e_shoff = b.size(); }),
       LibraryFileProblem::kHeadersOutside},
      {"a segment whose length wraps around",
       patched([](Bytes& b) { FirstLoad(b).p_filesz = 0xFFFFFFFFFFFFFFFFu; }),
       LibraryFileProblem::kSegmentOutside},
      {"a segment beyond the end",
       patched([](Bytes& b) { FirstLoad(b).p_offset = b.size() + 4096; }),
       LibraryFileProblem::kSegmentOutside},
  };
  for (const ByteCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Bytes bytes = c.make();
    EXPECT_EQ(CheckSharedLibraryBytes(bytes.data(), bytes.size()).problem, c.expected);
  }
}

class SharedLibraryFileTest : public TempFolderTest {};

// The file check reads the file as the byte check reads bytes, and says why a path holds none.
TEST_F(SharedLibraryFileTest, ChecksFilesOnDisk) {
  const Bytes vexel = ReadWhole(VEXEL_LIBRARY);
  WriteFile(PathOf("whole.so"), vexel);
  WriteFile(PathOf("cut.so"), Cut(vexel, vexel.size() / 3));
  WriteFile(PathOf("segment.so"), CutInsideLastSegment(vexel));
  std::filesystem::create_directory(PathOf("folder.so"));
  struct {
    const char* name;
    LibraryFileProblem problem;
    int error;
  } cases[] = {
      {"whole.so", LibraryFileProblem::kNone, 0},
      {"cut.so", LibraryFileProblem::kHeadersOutside, 0},
      {"segment.so", LibraryFileProblem::kSegmentOutside, 0},
      {"missing.so", LibraryFileProblem::kUnreadable, ENOENT},
      {"folder.so", LibraryFileProblem::kUnreadable, EISDIR},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const periodic::LibraryFileCheck check = CheckSharedLibraryFile(PathOf(c.name));
    EXPECT_EQ(check.problem, c.problem);
    EXPECT_EQ(check.error, c.error);
  }
  EXPECT_EQ(CheckSharedLibraryFile("/dev/null").problem, LibraryFileProblem::kNotElf);
}

}  // namespace

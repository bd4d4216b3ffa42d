#include "app/calculator/program_data.h"

#include <cerrno>

#include "data/data_error.h"
#include "data/element_data_file.h"

namespace tarvik {

ProgramData LoadProgramData(const std::string& directory) {
  const std::string path = directory + "/" + periodic::kElementsFileName;
  ProgramData data;
  try {
    data.masses = chem::LoadElementMasses(path);
  } catch (const periodic::DataError& error) {
    if (error.code() == ENOENT)
      data.error = "Не найден файл данных элементов «" + path +
                   "». Калькулятору нужен файл Elements.dat рядом с программой.";
    else
      data.error =
          "Не удалось прочитать файл данных элементов «" + path + "» (" + error.what() + ").";
  }
  return data;
}

}  // namespace tarvik

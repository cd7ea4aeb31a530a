// A list as a screen shows it: its rows and, for each row, the line of the
// table it stands for (the row map kept beside the list).
#pragma once

#include <string>
#include <vector>

namespace sendaro {

struct FilasConLineas {
  std::vector<std::string> filas;
  std::vector<int> lineas;
};

}  // namespace sendaro

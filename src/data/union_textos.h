// Captions are built by joining catalogue texts and separators, cutting the
// text to a maximum total length after each join:
//   UnionTextos(Texto(514)).Y("\n", 11).Y(Texto(229), 41).Y("\n", 42)
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sendaro {

inline constexpr std::string_view kSaltoLinea = "\n";

class UnionTextos {
 public:
  explicit UnionTextos(std::string_view inicio = {}) : texto_(inicio) {}

  // Appends the part, then keeps at most `maximo` bytes of the whole.
  UnionTextos& Y(std::string_view parte, std::size_t maximo) {
    texto_.append(parte);
    if (texto_.size() > maximo) texto_.resize(maximo);
    return *this;
  }

  const std::string& Texto() const { return texto_; }

 private:
  std::string texto_;
};

}  // namespace sendaro

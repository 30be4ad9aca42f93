// The one exception the library raises: an index outside an array class's elements, which is
// a programming error of the caller, never a condition to recover from.
#pragma once

#include <stdexcept>
#include <string>

class IndexOutOfRange : public std::out_of_range {
 public:
  IndexOutOfRange(char const* array, long index, long size)
      : std::out_of_range(std::string(array) + ": index " + std::to_string(index) + " outside 0.." +
                          std::to_string(size - 1)),
        m_index(index), m_size(size) {}

  long Index() const { return m_index; }
  long Size() const { return m_size; }

 private:
  long m_index;
  long m_size;
};

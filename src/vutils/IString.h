// A caller's text receiver: a record hands out a text (a user name, a password) by assigning it
// into the caller's own string, so the caller decides how the text is kept and wiped.
#pragma once

class IString {
 public:
  virtual char const* GetString() const = 0;
  virtual int GetLength() const = 0;
  // Takes `length` bytes of `text`, or everything up to its zero byte when `length` is -1.
  // `reserved` is 0.
  virtual void Assign(char const* text, int length, int reserved) = 0;

 protected:
  ~IString() = default;
};

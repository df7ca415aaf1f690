// The settings file beside the program: an INI file that every read asks and every write
// changes at once (no cache), in the ANSI code page, so that earlier versions read it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class TSettingsFile {
 public:
  explicit TSettingsFile(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const { return path_; }

  // The value's text (at most 2047 characters); `fallback` when the file, the section or
  // the key is missing.
  std::string ReadText(const std::string& section, const std::string& key,
                       const std::string& fallback) const;
  // The value as a 32-bit integer (see ParseSettingsNumber); `fallback` for anything else.
  int32_t ReadNumber(const std::string& section, const std::string& key, int32_t fallback) const;
  // ReadNumber with 1 or 0 for the fallback; true when the number is not 0.
  bool ReadFlag(const std::string& section, const std::string& key, bool fallback) const;
  // A refused write raises "<path> に書き込めません".
  void WriteText(const std::string& section, const std::string& key, const std::string& value);
  void WriteNumber(const std::string& section, const std::string& key, int32_t value);
  void WriteFlag(const std::string& section, const std::string& key, bool value);
  // Whether the file, which is in the ANSI code page, holds the text exactly.
  static bool Holds(const std::string& text);
  // The section's key names in file order (cleared first; empty when the section is absent).
  void ReadKeyNames(const std::string& section, std::vector<std::string>& list) const;

 private:
  std::string path_;
};

// Created by FormCreate on the file beside the program, released by FormClose.
extern std::unique_ptr<TSettingsFile> SettingsFile;

// A settings value read as one whole 32-bit integer: leading blanks, then a decimal number
// with an optional sign, or a hexadecimal one after "$", "x", "X", "0x" or "0X" (up to
// FFFFFFFF, read as the 32-bit pattern); nothing may follow. `fallback` for anything else,
// the empty text included.
int32_t ParseSettingsNumber(const std::string& text, int32_t fallback);

// The settings file of a program: its path with the extension (from the last "." of its
// name) replaced by ".ini", or ".ini" appended to a name without one.
std::string SettingsFilePath(const std::string& program);

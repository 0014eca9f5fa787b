#pragma once
// Non-ASCII characters of the system's texts, as Windows-1252 bytes. Written once here so that no
// other source file depends on its own encoding.
namespace tarvel::cp {

inline constexpr char nTilde[] = "\xF1";           // ñ
inline constexpr char invertedExclamation = '\xA1'; // ¡ ends a help text in a library

} // namespace tarvel::cp

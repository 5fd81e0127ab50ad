#pragma once

class TextLineReader;
class TextLineWriter;

// The update module: whether to look for updates at start, and its pair of
// lines in the preferences file.
namespace SparkleModule {

inline bool CheckAtStart = false;

// A label line, then "true" or anything else.
void ReadCheckStartPrefs(TextLineReader& stream);
void WriteCheckStartPrefs(TextLineWriter& stream);

} // namespace SparkleModule

#pragma once

// The line end a document is written with; in memory lines end in LF alone.
enum class LineEnding { Lf, CrLf };

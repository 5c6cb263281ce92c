#pragma once
/// \file
/// A graphic read as window rows (readgraphicrows) seen as the picture a
/// window stores, so that whatever shows a window's picture shows the file's
/// the same way, converting only the rows and columns it needs.
#include "graphics/graphic_record.h"
#include "runtime/types.h"

namespace vx {

/// The record's data as a stored picture; the bytes stay the record's and are
/// valid as long as it lives unchanged. A record not in formats 10, 11 or 2-5,
/// or whose data does not fill exactly its rows, gives one without data.
StoredPicture graphicstoredpicture(const t_Graphic& rows);

}  // namespace vx

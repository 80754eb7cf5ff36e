#pragma once
// The monkey's seam: every dialog gets an answer drawn from the run's seed,
// so a run is reproducible. Open dialogs pick files from the fuzz corpora (or
// a missing file), save dialogs write into a temporary folder, print jobs go
// to a PDF file, and nothing ever waits for a person.
#include <QString>
#include <memory>

#include "framework/seam.h"

namespace ondarel::monkey {

std::unique_ptr<Seam> makeMonkeySeam(unsigned seed, const QString& corpusDir, const QString& saveDir);

}  // namespace ondarel::monkey

// Where Beam.sma and the three result files live.
#pragma once

#include <QString>

namespace spanwise::ui {

// The per-user data folder ($XDG_DATA_HOME/spanwise on Linux), or the folder
// named by SPANWISE_HOME when set; created when missing. The folder of the
// program file is not used: it is read-only when installed and deleted with a
// build tree.
QString AppFolder();

}  // namespace spanwise::ui

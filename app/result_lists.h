#pragma once

namespace tambrel {

class FrmForma;

// How DirC and DirPr answer the user: each shows its selected item as its
// tooltip, and a remainder in DirPr is taken back into Primer by a double
// click or by Enter released while the list has the focus; a double click
// on an action in DirC opens the notebook at its line.
void ConnectResultLists(FrmForma* form);

}  // namespace tambrel

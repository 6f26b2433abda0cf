#pragma once

namespace tambrel {

class FrmForma;

// How DirC and DirPr answer the user: each shows its selected item as its
// tooltip, and a remainder in DirPr is taken back into Primer by a double
// click or by Enter released while the list has the focus.
void ConnectResultLists(FrmForma* form);

}  // namespace tambrel

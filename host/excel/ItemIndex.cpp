#include "host/excel/ItemIndex.h"

namespace host {

ItemIndex ReadItemIndex(const Arguments& args, size_t position) {
    if (args.IsMissing(position)) throw ArgumentError{DISP_E_PARAMNOTOPTIONAL, args.ArgIndex(position)};
    ItemIndex index;
    if (args.Value(position).Type() == VT_BSTR) {
        index.name = args.String(position);
    } else {
        index.number = args.Long(position);
    }
    return index;
}

}  // namespace host

#include "view/NodeReadout.h"

#include "Texts.h"
#include "view/ViewFields.h"

namespace ruvo {

QString value_text(double value) { return QString::number(value, 'f', 7); }

QString readout(const char* prefix, const QString& value) { return QString::fromUtf8(prefix) + value; }

std::array<QString, 7> node_readout(const ViewFields& store, int i, int j, const char* i_prefix, const char* j_prefix) {
    using namespace messages;
    const VectorSlot& vectors = store.current_vectors();
    return {readout(i_prefix, QString::number(i - 1)),
            readout(j_prefix, QString::number(j - 1)),
            readout(kLineReadoutGridX, value_text(store.grid_x(i, j))),
            readout(kLineReadoutGridY, value_text(store.grid_y(i, j))),
            readout(kLineReadoutVx, value_text(vectors.u(i, j))),
            readout(kLineReadoutVy, value_text(vectors.v(i, j))),
            readout(kLineReadoutS, value_text(store.current_scalars().value(i, j)))};
}

}  // namespace ruvo

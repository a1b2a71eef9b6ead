#include "console/Model.h"

ConsoleModel& Model() {
    static ConsoleModel model;
    return model;
}

void NieuwModel(int breedte, int hoogte) {
    ConsoleModel& m = Model();
    m = ConsoleModel{};
    m.breedte = breedte;
    m.hoogte = hoogte;
    m.cellen.assign(static_cast<std::size_t>(breedte * hoogte), Cel{});
}

Cel* CelOp(ConsoleModel& model, int x, int y) {
    if (x < 0 || y < 0 || x >= model.breedte || y >= model.hoogte) return nullptr;
    return &model.cellen[static_cast<std::size_t>(y * model.breedte + x)];
}

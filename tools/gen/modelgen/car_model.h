// The racing car: an open-wheel single-seater, nose toward -z, wheels resting on y = 0.
#pragma once

#include "mesh.h"

// Material (and so subset) indices of the car mesh.
struct CarMaterials {
    uint32_t livery, carbon, tyre, rim, helmet, visor, number, wing;
};

struct CarModel {
    Mesh mesh;
    CarMaterials materials;
};

// Model units: about 4.1 long, 1.75 wide and 0.85 tall; drawn at 0.3 this
// sits well inside the fixed camera's view.
CarModel BuildCarModel();

#include "antennas/arrays/array_calculators.h"

#include "antennas/arrays/broadside_array.h"
#include "antennas/arrays/end_fire_array.h"
#include "antennas/arrays/hansen_woodyard_array.h"
#include "antennas/arrays/phased_array.h"
#include "antennas/arrays/planar_array.h"

namespace ondarel {

void describeArrayCalculator(CalculatorDescriptor& d)
{
    if (d.windowClass == "TForm5")
        describeBroadsideArray(d);
    else if (d.windowClass == "TForm7")
        describeEndFireArray(d);
    else if (d.windowClass == "TForm37")
        describeHansenWoodyardArray(d);
    else if (d.windowClass == "TForm11")
        describePhasedArray(d);
    else if (d.windowClass == "TForm6")
        describePlanarArray(d);
}

}  // namespace ondarel

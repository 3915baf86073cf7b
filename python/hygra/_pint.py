"""pint Quantities in and out: inputs converted to the unit system asked, results in its units."""

from . import _metadata
from ._errors import InvalidArgument

# The library's unit texts (hygra_property_unit) as pint reads them; "" is dimensionless.
# Temperature differences inside compound units are pint's delta units.
PINT_UNITS = {
    "": "dimensionless", "degC": "degC", "degF": "degF", "bar": "bar", "psi": "psi",
    "m3/kg": "m**3/kg", "ft3/lb": "ft**3/lb", "kJ/kg": "kJ/kg", "Btu/lb": "Btu/lb",
    "kJ/(kg K)": "kJ/(kg*K)", "Btu/(lb degF)": "Btu/(lb*delta_degF)", "Pa s": "Pa*s",
    "lb/(ft h)": "lb/(ft*h)", "W/(m K)": "W/(m*K)", "Btu/(h ft degF)": "Btu/(h*ft*delta_degF)",
    "m2/s": "m**2/s", "ft2/h": "ft**2/h", "kg/m3": "kg/m**3", "lb/ft3": "lb/ft**3",
}
ALTITUDE_UNITS = ("m", "ft")  # SI, inch-pound


def unit_of(name, units_flag):
    """The pint unit text of an input or property name in a unit system."""
    if name == "ALT":
        return ALTITUDE_UNITS[units_flag]
    return PINT_UNITS[_metadata.property_info(name).unit("IP" if units_flag else "SI")]


def magnitudes(pint, columns, units_flag):
    """(registry of the first Quantity or None, the columns with Quantities as plain magnitudes)."""
    registry = None
    plain = {}
    for name, value in columns.items():
        if isinstance(value, pint.Quantity):
            registry = registry or value._REGISTRY
            target = unit_of(name, units_flag)
            try:
                value = value.to(target).magnitude
            except pint.errors.PintError as e:
                raise InvalidArgument(f"{name} in {value.units} cannot be read as {target}: {e}") from None
        plain[name] = value
    return registry, plain


def quantity(registry, values, code, units_flag):
    """Results as a Quantity in the property's unit."""
    return registry.Quantity(values, unit_of(_metadata.properties()[code].name, units_flag))

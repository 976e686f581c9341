"""The module's one error, and the library's reasons for having no answer."""
import enum


class Reason(enum.IntEnum):
    """Why a function has no answer: halic.h's error codes (HALIC_OK, HALIC_E_...)."""
    OK = 0
    NOT_FINITE = 1
    SALINITY = 2
    TEMPERATURE = 3
    PRESSURE = 4
    CONVENTION = 5
    CONVENTION_TEMPERATURE = 6
    GRAVITY = 7
    NO_SALINITY = 8
    CONDUCTIVITY = 9
    LATITUDE = 10
    ARGUMENT = 11
    RESULT = 12
    WAVELENGTH = 13
    SCALE = 14
    EXPANSION = 15
    READING = 16


class HalicError(ValueError):
    """An argument the function refuses, or (with errors="raise") an element with no answer.

    Attributes
    ----------
    reason : Reason or None
        The library's reason; None when the module refused the argument itself (a type that is not a real
        number, a flag that is not True, False, 1 or 0, an unknown keyword value).
    text : str
        What is wrong, naming the argument, the value and what it may be: "t = 41 is outside -2 to 40 degC".
    index : tuple of int or None
        Where in the broadcast arguments the element lies, for an array; None for numbers.
    """

    def __init__(self, function, reason, text, index=None):
        where = "" if index is None else f"element {index[0] if len(index) == 1 else index}: "
        super().__init__(f"hali.{function}: {where}{text}")
        self.reason = None if reason is None else Reason(reason)
        self.text = text
        self.index = index

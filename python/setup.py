"""The wheel is one platform's, for the libraries inside it, and any Python 3's, for ctypes needs no
extension module: py3-none-<platform>, installed where a platform's packages go."""
from setuptools import Distribution, setup
from wheel.bdist_wheel import bdist_wheel


class WithLibraries(Distribution):
    def has_ext_modules(self):
        return True


class PlatformWheel(bdist_wheel):
    def get_tag(self):
        return "py3", "none", super().get_tag()[2]


setup(distclass=WithLibraries, cmdclass={"bdist_wheel": PlatformWheel})

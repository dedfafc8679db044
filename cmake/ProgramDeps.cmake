# Third-party libraries that the program core links besides Qt. Included by cmake/Program.cmake
# after miravelo_core is defined.

# Qt has no GIF writer; giflib encodes the ".gif" image type.
find_package(GIF REQUIRED)
target_link_libraries(miravelo_core PUBLIC GIF::GIF)

# Turning JPEG files in the export dialog without re-compressing them.
find_package(libjpeg-turbo REQUIRED)
target_link_libraries(miravelo_core PUBLIC libjpeg-turbo::turbojpeg)

# One running program per settings file: the second start talks to the first over a local socket.
find_package(Qt5 5.15 REQUIRED COMPONENTS Network)
target_link_libraries(miravelo_core PUBLIC Qt5::Network)

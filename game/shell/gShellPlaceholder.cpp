// The game shell registers its main here once it exists.

// placeholder until the profile accessor lands

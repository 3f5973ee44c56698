# Turn coordinator of the Baron panel: vector layers drawn by the artwork
# generator, shown through CustomImage.
radod_mount(
    ARTWORK tc_back.svg tc_ball.svg tc_face_1.svg tc_face_2.svg tc_mark.svg tc_case.svg)

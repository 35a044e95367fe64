2
0, 
2, 
2
1, 1, 0, "quoted, with comma"
2, 1, 0, "quoted, with comma"

2
2E8, x
2E8, span
1
8.5E-6, "quoted, with comma"
1
2, 1, 2, 1, x
2
1, 3, 13, -1, 0, 0, span
1
4, 5, 6, 0.5, 0, x
0

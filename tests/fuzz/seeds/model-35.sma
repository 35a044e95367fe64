2
0, span
9, 
2
1
1
0, x
2, 1, 0, "quoted, with comma"
1
2E8, "quoted, with comma"
2
8.5E-6, 
8.5E-6, x
1
1, 2, 1, 1, span
0
1
2, -5, 3, span

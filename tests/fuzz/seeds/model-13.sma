2
0, "quoted, with comma"
1.5, "quoted, with comma"
2
1, 1, 0, span
2, 1, 0, x
1
2E8, 
2
8.5E-6, "quoted, with comma"
8.5E-6, "quoted, with comma"
1
1, 2, 1, 1, x
4
1, 2, -5, -4, 0.5, 0.5, span
1, 3, 5, 13, 0.5, 0.25, x
1, 4, 12, 2, 0, 0.5, x
1
2, -3, -3, 0, 0.5, 
1
2, 3
1, span

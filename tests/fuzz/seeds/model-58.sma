3
0, x
2.5, span
7, x
2
1, 1, 1, 
3, 1, 0, span
1
2E8, "quoted, with comma"
1
8.5E-6, "quoted, with comma"
2
1, 2, 1, 1, 
3, 2, 1, 1, span
3
2
2, -3, -4, 0, 0.5, span
1, 2, 2, 7, 0, 0, span
2, 1, 8, 12, 1, 0.5, x
2
3, -4, 1, span
1, 1, 2, "quoted, with comma"

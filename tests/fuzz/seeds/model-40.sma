
2
0, 
4.5, span
2
1
1, 1, x
2, 1, 0, "quoted, with comma"
1
2E8, span
1
8.5E-6, 
1
2, 1, 1, 1, "quoted, with comma"
3
1, 4, -4, 0, 0, 0, 
1, 2, -4, 7, 0, 0.5, span
1, 3, 1, 6
1, 0, "quoted, with comma"
1
1, -3, 1, span
